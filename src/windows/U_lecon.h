#pragma once

#include <QWidget>

// The lesson window on the vocabulary of relative numbers.
class Tlecon : public QWidget
{
    Q_OBJECT

public:
    explicit Tlecon(QWidget *principale);
};
