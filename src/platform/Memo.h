#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QPlainTextEdit>
#include <QPoint>

// A multi-line edit. Lines is the text split at line breaks. CaretPos is the caret as
// (column, line), both from 0. With WantReturns off, Return is left to the form (default
// button); with WantTabs on, Tab is typed instead of moving the focus.
class KTRPLATFORM_EXPORT TMemo : public QPlainTextEdit, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    KTR_IME_PROPERTY
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool WantReturns READ WantReturns WRITE SetWantReturns)
    Q_PROPERTY(bool WantTabs READ WantTabs WRITE SetWantTabs)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(ktr::platform::types::TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(TMethod OnChange READ OnChange WRITE SetOnChange)
public:
    explicit TMemo(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TMemo() override;

    QString GetText() const override { return toPlainText(); }
    void SetText(const QString &text) override { setPlainText(text); }
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    bool WantsKey(quint16 virtualKey) const override;

    QStringList Lines() const;
    void SetLines(const QStringList &lines);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length) { m_maxLength = std::max(0, length); }
    bool WantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool value) { m_wantReturns = value; }
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool value);
    bool WordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle style);
    QString ImeName() const { return m_imeName; }
    void SetImeName(const QString &name) { m_imeName = name; }

    QPoint CaretPos() const;
    void SetCaretPos(const QPoint &position);
    void Clear() { clear(); }
    void SelectAll() { selectAll(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_maxLength = 0;
    bool m_wantReturns = true;
    bool m_wantTabs = false;
    TScrollStyle m_scrollBars = ssNone;
    QString m_imeName;
};
