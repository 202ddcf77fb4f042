#pragma once

#include "contexte_fenetre.h"

#include <QWidget>

// The configuration dialog: test composition, number ranges, adaptation speed, level restart.
class Toptions : public QWidget
{
    Q_OBJECT

public:
    explicit Toptions(const ContexteFenetre &contexte);
};
