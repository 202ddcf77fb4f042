#pragma once

#include "contexte_fenetre.h"

#include <QWidget>

// The addition rules window: the two rules of signs for additions.
class Tregle_add : public QWidget
{
    Q_OBJECT

public:
    explicit Tregle_add(const ContexteFenetre &contexte);
};
