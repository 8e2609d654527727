#include "LayoutRow.h"

QList<LayoutRow> calculatorLayoutRows()
{
    return {};
}
