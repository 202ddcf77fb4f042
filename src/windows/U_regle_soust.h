#pragma once

#include "contexte_fenetre.h"

#include <QWidget>

// The subtraction rule window: the rule, worked examples and the guided exercise.
class Tregle_soust : public QWidget
{
    Q_OBJECT

public:
    explicit Tregle_soust(const ContexteFenetre &contexte);
};
