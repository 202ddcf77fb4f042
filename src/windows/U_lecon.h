#pragma once

#include "contexte_fenetre.h"

#include <QWidget>

// The lesson window on the vocabulary of relative numbers.
class Tlecon : public QWidget
{
    Q_OBJECT

public:
    explicit Tlecon(const ContexteFenetre &contexte);
};
