#include "model/examples.h"

#include "model/mod_matrix.h"

namespace korvel {

namespace {

struct Entry {
    int row;
    int column;
    double value;
};

// Stores the listed coefficients and the constants of equations 1, 2, ...
void Store(std::initializer_list<Entry> coefficients, std::initializer_list<double> constants) {
    for (const Entry& e : coefficients)
        A_Matrix[e.row][e.column] = e.value;
    int i = 1;
    for (double c : constants)
        C_Vector[i++] = c;
}

void Load_Table(int16_t n, std::initializer_list<Entry> coefficients,
                std::initializer_list<double> constants) {
    Solved = false;
    Num_Equations = n;
    Last_Index = static_cast<int16_t>(n - 1);
    Clear_Model(n);
    Store(coefficients, constants);
    Show_A();
    Show_C();
    Default_Names();
}

} // namespace

void Load_Test_Matrix() {
    Solved = false;
    Clear_Model(3);
    Default_Model();
    Default_Names();
}

void Load_Example_11_2() {
    Load_Table(6,
               {{1, 1, 1},
                {1, 3, 1},
                {2, 2, 1},
                {2, 4, 1},
                {3, 1, 3},
                {3, 3, -1.333},
                {3, 4, 2.5},
                {3, 6, 1},
                {4, 3, -1},
                {4, 5, 1},
                {5, 4, -1},
                {5, 5, 0.2},
                {6, 3, -5.224},
                {6, 4, -7.329},
                {6, 5, -8.5944}},
               {0.141, -13.5, -0.5, -44.668, 2.105, -136.987});
}

void Load_Example_11_3() {
    Load_Table(9, {{1, 1, 1},      {1, 3, 1},     {2, 2, 1},      {2, 4, 1},     {3, 1, 3},
                   {3, 3, -1.33},  {3, 4, 2.5},   {3, 9, 1},      {4, 3, -1},    {4, 5, 1},
                   {5, 4, -1},     {5, 6, 1},     {6, 3, -8.217}, {6, 4, 3.673}, {6, 5, 2.861},
                   {6, 6, 10.339}, {7, 5, -1},    {7, 7, 1},      {8, 6, -1},    {8, 8, 1},
                   {9, 5, 4.843},  {9, 6, 1.244}, {9, 7, 4.843},  {9, 8, 1.244}},
               {0.48, -7.5, -16, -119.465, -12.908, 298.003, -18.896, -9.727, 101.031});
}

void Load_Example(Example example) {
    switch (example) {
    case Example::TestMatrix:
        Load_Test_Matrix();
        break;
    case Example::Example11_2:
        Load_Example_11_2();
        break;
    case Example::Example11_3:
        Load_Example_11_3();
        break;
    }
}

std::optional<Example> Example_From_Name(const QString& name) {
    if (name == QLatin1String("test")) return Example::TestMatrix;
    if (name == QLatin1String("11-2")) return Example::Example11_2;
    if (name == QLatin1String("11-3")) return Example::Example11_3;
    return std::nullopt;
}

} // namespace korvel
