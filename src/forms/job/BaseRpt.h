#pragma once

#include "BaseOpt.h"

// The job form with report options and report launch.
class TfrmBaseRpt : public TfrmBaseOpt {
    Q_OBJECT
public:
    explicit TfrmBaseRpt(QObject *owner = nullptr);
    ~TfrmBaseRpt() override;
};
