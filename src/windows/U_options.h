#pragma once

#include <QWidget>

// The configuration dialog: test composition, number ranges, adaptation speed, level restart.
class Toptions : public QWidget
{
    Q_OBJECT

public:
    explicit Toptions(QWidget *principale);
};
