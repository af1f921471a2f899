#include "MessageCatalogue.h"

namespace ktr::store {

namespace {

// Keep texts free of ";" in arguments' places: the forms split a message code at ";".
constexpr CatalogueMessage kMessages[] = {
    {"E", "000001", "%s不存在!", "%s不存在!", "%s does not exist!"},
    {"E", "000005", "%s格式错误!", "%s格式錯誤!", "%s is not in a valid format!"},
    {"E", "000006", "无法连接应用服务器, 作业窗口将关闭!", "無法連接應用伺服器, 作業視窗將關閉!",
     "Cannot connect to the application server. The job window will close!"},
    {"E", "000013", "作业提交失败: %s", "作業提交失敗: %s", "The job was not accepted: %s"},
    {"E", "000015", "无法读取客户端注册信息!", "無法讀取用戶端註冊資訊!",
     "Cannot read the client's registry settings!"},
    {"E", "000016", "未设置应用服务器地址!", "未設定應用伺服器位址!",
     "No application server address is configured!"},
    {"E", "000030", "设置作业条件失败: %s", "設定作業條件失敗: %s", "Cannot set the job conditions: %s"},
    {"E", "000036", "程序代号与作业窗口不符!", "程式代號與作業視窗不符!",
     "The program code does not match the job window!"},
    {"E", "000037", "此栏位必须输入!", "此欄位必須輸入!", "This field is required!"},
    {"E", "000038", "主程序传入的参数不足!", "主程式傳入的參數不足!", "The host passed too few parameters!"},
    {"E", "100082", "%s不可早于%s!", "%s不可早於%s!", "%s must not be earlier than %s!"},
    {"I", "000003", "作业没有设置任何条件!%s", "作業沒有設定任何條件!%s", "The job has no conditions!%s"},
    {"I", "000004", "作业已提交, 作业编号: %s", "作業已提交, 作業編號: %s",
     "The job was submitted. Job number: %s"},
    {"I", "000005", "请至少选择一种报表生成选项!%s", "請至少選擇一種報表產生選項!%s",
     "Choose at least one report output option!%s"},
    {"I", "000008", "输入的资料", "輸入的資料", "The data entered"},
    {"I", "000009", "开始日期", "開始日期", "The start date"},
    {"I", "000010", "或时间", "或時間", " or time"},
    {"I", "000011", "制表日期条件", "製表日期條件", "the print date condition"},
    {"W", "000002", "%s的个数应为%s, 实际为%s!", "%s的個數應為%s, 實際為%s!",
     "%s: %s entries expected, %s found!"},
    {"W", "000003", "%s(共%s项)的第%s项没有设置!", "%s(共%s項)的第%s項沒有設定!",
     "%s (%s entries): entry %s is not set!"},
    {"W", "000004", "%s不存在, 请重新输入!", "%s不存在, 請重新輸入!",
     "%s does not exist. Please enter it again!"},
    {"W", "000014", "外部传入的栏位不正确!", "外部傳入的欄位不正確!",
     "The fields passed from outside are not valid!"},
    {"R", "100235", "页脚编号", "頁腳編號", "The footer code"},
    {"R", "100236", "签核编号", "簽核編號", "The sign-off code"},
    {"R", "200235", "开启条件方案失败!", "開啟條件方案失敗!", "The condition scheme could not be opened!"},
};

} // namespace

std::span<const CatalogueMessage> builtInMessages()
{
    return kMessages;
}

} // namespace ktr::store
