#pragma once

#include <QWidget>

// The about box: the program's name, version and purpose, and two links.
class Ta_propos : public QWidget
{
    Q_OBJECT

public:
    explicit Ta_propos(QWidget *principale);
};
