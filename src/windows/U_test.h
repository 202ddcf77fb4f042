#pragma once

#include <QWidget>

// The on-screen test: 40 questions marked out of 20.
class Ttest : public QWidget
{
    Q_OBJECT

public:
    explicit Ttest(QWidget *principale);
};
