#include "DBEdit.h"

TDBEdit::TDBEdit(QObject *owner, QWidget *parent) : TEdit(owner, parent)
{
}

TDBEdit::~TDBEdit() = default;
