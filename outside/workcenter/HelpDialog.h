#pragma once

#include "WorkCenterContext.h"

#include <QDialog>

namespace ktr::workcenter {

// Shows one help text: its title and body (lblTitle, txtBody, btnOk).
class THelpDialog : public QDialog {
    Q_OBJECT
public:
    THelpDialog(const QString &title, const QString &body, Language language, QWidget *parent = nullptr);
};

} // namespace ktr::workcenter
