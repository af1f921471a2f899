#pragma once

#include "BaseRpt.h"

// The QTXR72 job form: brings employees' welfare-fund bases up to date for the chosen
// companies, departments, employees, calculation months and base types.
class TfrmQtxr72 : public TfrmBaseRpt {
    Q_OBJECT
public:
    explicit TfrmQtxr72(QObject *owner = nullptr);
    ~TfrmQtxr72() override;

    TTabSheet *TabSheet1 = nullptr;
};
