#pragma once

#include "WorkCenterContext.h"

#include <Object.h>

#include <memory>

class QWidget;

namespace ktr::workcenter {

// The lookup service (Com_F2Window). Each call opens a modal window, run through the
// platform's modal hook, and needs a running QApplication (else DispatchError).
//   F2GetData(request of 19 elements: 0 table key, 1 query number, 2 extra parameters,
//     3 multiple selection, 4 current text, 5 company, 6 database, 7 window of the form,
//     10 ProductID, 14 BaseLimited, 18 user) -> the chosen rows, an array of rows (each an
//     array of the row's texts), one row for a single selection; Empty when cancelled
//   GetPhrase(user, database, window) -> the chosen phrase (the user's and everyone's), or ""
//   ShowInputDay([ROC calendar flag, "YYYYMMDD", database]) -> the chosen date "YYYYMMDD"
//     (Gregorian), or "" when cancelled
class TF2WindowService : public DispatchObject {
public:
    static constexpr int kRequestElements = 19;

    explicit TF2WindowService(std::shared_ptr<const WorkCenterContext> context);

private:
    Variant getData(const Variant &request);
    Variant getPhrase(const Variant &user, const Variant &window);
    Variant showInputDay(const Variant &request);

    std::shared_ptr<const WorkCenterContext> m_context;
};

// The widget of a window handle passed by a form (for parenting a dialog); nullptr when none.
QWidget *widgetOfHandle(const Variant &handle);
// Raises DispatchError naming the member when no QApplication runs.
void requireUserInterface(const char *member);

} // namespace ktr::workcenter
