#include "WorkCenterManager.h"

#include "CounterService.h"
#include "F2WindowService.h"
#include "HelpDialog.h"
#include "MessageLookup.h"
#include "UpdateRecord.h"
#include "ValidatorService.h"

#include <ModalHook.h>

namespace ktr::workcenter {

namespace {

std::string scalarText(const Variant &v)
{
    if (v.isEmptyOrNull() || v.isArray() || v.type() == VarType::Object)
        return {};
    return v.toString();
}

// The first element of a one-element request array, or the value itself.
const Variant &firstOf(const Variant &request)
{
    return request.isArray() && request.elementCount() > 0 ? request.elements()[0] : request;
}

} // namespace

TWorkCenterManager::TWorkCenterManager(std::shared_ptr<store::Database> db, std::filesystem::path installFolder)
    : m_context(std::make_shared<WorkCenterContext>(
          WorkCenterContext{std::move(db), localeCodePage(), std::move(installFolder)}))
{
    addProperty("VersionType", [this] { return Variant(std::int32_t(setting("VersionType", 1))); });
    addProperty("ProductID", [this] { return Variant(std::int32_t(setting("ProductID", 1))); });
    addProperty(
        "CodePage", [this] { return Variant::wideText(m_context->codePage); },
        [this](const Variant &v) {
            const std::string page = scalarText(v);
            if (page != "936" && page != "950" && page != "437")
                throw DispatchError("CodePage must be 936, 950 or 437, not " + page);
            m_context->codePage = page;
        });
    addProperty("Com_Counter", [this] {
        return service(m_counter, [this] { return ObjectRef(new TCounterService(m_context)); });
    });
    addProperty("Com_Validator", [this] {
        return service(m_validator, [this] { return ObjectRef(new TValidatorService(m_context)); });
    });
    addProperty("Com_F2Window", [this] {
        return service(m_f2Window, [this] { return ObjectRef(new TF2WindowService(m_context)); });
    });
    addMethod("GetMessage", [this](std::span<Variant> args) {
        const std::string type = scalarText(argument(args, 0, "GetMessage"));
        const std::string number = scalarText(argument(args, 1, "GetMessage"));
        return Variant::wideText(messageText(*m_context->db, m_context->language(), type, number));
    });
    addMethod("CallHelp", [this](std::span<Variant> args) {
        callHelp(argument(args, 0, "CallHelp"));
        return Variant();
    });
    addMethod("GetFileList", [this](std::span<Variant> args) {
        return fileList(argument(args, 0, "GetFileList"));
    });
}

int TWorkCenterManager::setting(const char *name, int fallback)
{
    auto q = m_context->db->query("SELECT value FROM settings WHERE name = ?1");
    q->bind(1, std::string_view(name));
    if (!q->step())
        return fallback;
    bool ok = false;
    const int value = QString::fromStdString(q->text(0)).toInt(&ok);
    return ok ? value : fallback;
}

Variant TWorkCenterManager::service(ObjectRef &slot, const std::function<ObjectRef()> &create)
{
    if (!slot)
        slot = create();
    return Variant(slot.get());
}

void TWorkCenterManager::callHelp(const Variant &request)
{
    if (!request.isArray() || request.elementCount() < 2)
        throw DispatchError("CallHelp needs [module code, help number]");
    const std::string module = scalarText(request.elements()[0]);
    const std::string number = scalarText(request.elements()[1]);
    requireUserInterface("CallHelp");
    const Language language = m_context->language();
    QString title;
    QString body;
    auto q = m_context->db->query("SELECT title, body FROM help_texts WHERE module = ?1 AND number IN (?2, '*')"
                                  " ORDER BY number = '*' LIMIT 1");
    q->bind(1, module).bind(2, number);
    if (q->step()) {
        title = QString::fromStdString(q->text(0));
        body = QString::fromStdString(q->text(1));
    } else {
        title = QString::fromStdString(module + " " + number);
        body = QString::fromUtf8(pickText(language, "没有这一项的说明。", "沒有這一項的說明。",
                                          "There is no help text for this item."));
    }
    THelpDialog dialog(title, body, language);
    platform::execDialog(&dialog);
}

Variant TWorkCenterManager::fileList(const Variant &request)
{
    std::filesystem::path folder = m_context->installFolder / "S_PKG";
    auto q = m_context->db->query("SELECT value FROM settings WHERE name = 'ServerPackagePath'");
    if (q->step() && !q->text(0).empty()) {
        const std::filesystem::path configured = q->text(0);
        folder = configured.is_absolute() ? configured : m_context->installFolder / configured;
    }
    return Variant::wideText(updateRecord(folder, scalarText(firstOf(request))));
}

} // namespace ktr::workcenter
