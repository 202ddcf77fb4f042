#pragma once

#include "contexte_fenetre.h"

#include <QWidget>

// The addition-error window: a sum of opposite signs shown by counting units.
class Terreur_addition : public QWidget
{
    Q_OBJECT

public:
    explicit Terreur_addition(const ContexteFenetre &contexte);
};
