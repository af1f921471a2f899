#include "HelpDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace ktr::workcenter {

THelpDialog::THelpDialog(const QString &title, const QString &body, Language language, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QString::fromUtf8(pickText(language, "说明", "說明", "Help")));
    resize(480, 320);
    auto *heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("lblTitle"));
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("txtBody"));
    text->setPlainText(body);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(pickText(language, "确定", "確定", "OK")));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

} // namespace ktr::workcenter
