#pragma once

#include <Component.h>

#include <QPointer>

// Links data-aware controls to a data set. The data set is any component; controls and
// captions reach its fields by name (see DataFieldLabel.h).
class TDataSource : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QObject *DataSet READ DataSet WRITE SetDataSet)
public:
    explicit TDataSource(QObject *owner = nullptr);
    ~TDataSource() override;

    // Not owned; forgotten when it is destroyed.
    QObject *DataSet() const { return m_dataSet; }
    void SetDataSet(QObject *dataSet) { m_dataSet = dataSet; }

private:
    QPointer<QObject> m_dataSet;
};
