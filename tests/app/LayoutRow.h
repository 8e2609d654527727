#pragma once

#include <QList>
#include <QRect>
#include <QString>

// One control of the window: its objectName, its place in its parent, and its text
// (a null text skips the text check).
struct LayoutRow {
    const char *name;
    QRect geometry;
    QString text;
};

QList<LayoutRow> windowLayoutRows();
QList<LayoutRow> calculatorLayoutRows();
