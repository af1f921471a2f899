#pragma once

#include "BaseGene.h"

// The job form with run modes, submission and periodic schedules.
class TfrmBaseOpt : public TfrmBaseGene {
    Q_OBJECT
public:
    explicit TfrmBaseOpt(QObject *owner = nullptr);
    ~TfrmBaseOpt() override;
};
