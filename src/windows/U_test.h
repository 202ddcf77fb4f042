#pragma once

#include "contexte_fenetre.h"

#include <QWidget>

// The on-screen test: 40 questions marked out of 20.
class Ttest : public QWidget
{
    Q_OBJECT

public:
    explicit Ttest(const ContexteFenetre &contexte);
};
