#include "DataSource.h"

TDataSource::TDataSource(QObject *owner) : TComponent(owner)
{
}

TDataSource::~TDataSource() = default;
