// The one equation set the program works on, A·x = C with up to 16 equations, and the
// small routines that set, clear, copy and paint it.
#pragma once

#include <QString>

#include <cstdint>

namespace korvel {

constexpr int16_t Max_Equations = 16;
constexpr int Array_Size = Max_Equations + 1; // bounds 0..16, index 0 unused

extern int16_t Num_Equations;                   // n, 2..16 in use
extern int16_t Last_Index;                      // n - 1, the highest 0-based box index in use
extern double A_Matrix[Array_Size][Array_Size]; // (equation, unknown)
extern double A_Save[Array_Size][Array_Size];
extern double C_Vector[Array_Size];
extern double C_Work[Array_Size];
extern double X_Vector[Array_Size];
extern QString Var_Name[Array_Size];
extern bool Solved;
extern bool Data_Saved;
extern int16_t Solve_Error;
extern QString File_Name;
extern QString Model_Date; // MM-DD-YYYY
extern QString Model_Time; // HH:MM:SS, 24-hour clock
extern int16_t Design_No;

// Throws error 9 (subscript out of range) unless 0 <= n <= 16.
void Check_Count(int n);

void Initialize();
void Default_Names();
// The names Default_Names gives ("Y 1" to "Y 16"), at [1..16]; safe on any thread.
const QString* Default_Name_Table();
void Default_Model();
void Clear_Model(int16_t n);
void Zero_A(int16_t n);
void Zero_C(int16_t n);
void Save_A(int16_t n);
void Restore_A(int16_t n);
void Load_C_Work(int16_t n);
void Work_To_X(int16_t n);
void C_To_X(int16_t n);
void Show_A();
void Show_C();
void Show_Names();
// One box of the entry screen painted from the model: coefficient A(r + 1, c + 1) or
// constant C(r + 1), for r, c from 0 to 15.
void Show_A_Box(int r, int c);
void Show_C_Box(int r);

// Current date and time in the model's stamp forms.
QString Current_Model_Date();
QString Current_Model_Time();
// A new model (the start-up one, an imported or pasted system) takes the time it was made.
void Stamp_Model_Now();

} // namespace korvel
