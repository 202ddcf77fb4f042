// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables.h"

namespace tables {

const Tableau<double, 34> repartition_par_defaut{
    0, 0, 0, 0, 0, 0, 0.5, 2, 2, 3, 0.5, 2, 2, 2, 2, 2, 2,                    // 1..17
    0, 0.25, 0.25, 0.5, 1.8, 0.5, 0.25, 1.8, 1.8, 1.8, 0.25, 1.8, 1.8, 1.8, 1.8, 1.8, 1.8, // 18..34
};

const Tableau<int, 40> questionnaire_par_defaut{
    8, 12, 15, 16, 17, 9, 10, 13, 14, 7, 8, 12, 14, 10, 17, 15, 16, 9, 10, 13,
    22, 25, 26, 27, 29, 30, 31, 32, 33, 34, 23, 22, 25, 26, 27, 30, 31, 32, 33, 24,
};

const Tableau<int, 40> composition_test_par_defaut{
    7, 8, 8, 9, 9, 10, 10, 10, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16, 17, 17,
    20, 21, 22, 22, 25, 25, 26, 26, 27, 27, 29, 30, 30, 31, 31, 32, 32, 33, 33, 34,
};

} // namespace tables
