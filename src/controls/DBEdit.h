#pragma once

#include <Edit.h>

#include <QPointer>

// An edit bound to a field of a data set by name (DataSource, DataField). It carries the
// binding for the captions and lookups that read it; the text is edited as in TEdit.
class TDBEdit : public TEdit {
    Q_OBJECT
    Q_PROPERTY(QObject *DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
public:
    explicit TDBEdit(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TDBEdit() override;

    // Not owned; forgotten when it is destroyed.
    QObject *DataSource() const { return m_dataSource; }
    void SetDataSource(QObject *dataSource) { m_dataSource = dataSource; }
    QString DataField() const { return m_dataField; }
    void SetDataField(const QString &field) { m_dataField = field; }

private:
    QPointer<QObject> m_dataSource;
    QString m_dataField;
};
