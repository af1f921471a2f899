#pragma once

#include "WorkCenterContext.h"
#include "ktrworkcenter_global.h"

#include <Object.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace ktr::workcenter {

// The work-center object "HarrowWorkCenter.Manager" the host hands to the job forms:
//   VersionType, ProductID (properties) -> integers from the settings table
//   CodePage (property) -> the interface code page that chooses the language of messages and
//     windows: "936", "950" or "437"; the locale's unless set
//   Com_Counter, Com_Validator, Com_F2Window (properties) -> the three services, one of each
//     per manager
//   GetMessage(type letter, number) -> the catalogue text in the interface language
//   CallHelp([module, help number]) -> nothing; shows the help text in a modal window
//   GetFileList([file name]) -> the update record of a job library (see updateRecord)
class KTRWORKCENTER_EXPORT TWorkCenterManager : public DispatchObject {
public:
    static constexpr const char *kClassName = "HarrowWorkCenter.Manager";

    TWorkCenterManager(std::shared_ptr<store::Database> db, std::filesystem::path installFolder);

private:
    int setting(const char *name, int fallback);
    Variant service(ObjectRef &slot, const std::function<ObjectRef()> &create);
    void callHelp(const Variant &request);
    Variant fileList(const Variant &request);

    std::shared_ptr<WorkCenterContext> m_context;
    ObjectRef m_counter;
    ObjectRef m_validator;
    ObjectRef m_f2Window;
};

} // namespace ktr::workcenter
