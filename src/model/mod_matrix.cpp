#include "model/mod_matrix.h"

#include "base/runtime_error.h"
#include "model/entry_view.h"
#include "text/number_text.h"
#include "text/rounding.h"

#include <array>
#include <ctime>

namespace korvel {

int16_t Num_Equations = 3;
int16_t Last_Index = 2;
double A_Matrix[Array_Size][Array_Size] = {};
double A_Save[Array_Size][Array_Size] = {};
double C_Vector[Array_Size] = {};
double C_Work[Array_Size] = {};
double X_Vector[Array_Size] = {};
QString Var_Name[Array_Size];
bool Solved = false;
bool Data_Saved = false;
int16_t Solve_Error = 0;
QString File_Name;
QString Model_Date;
QString Model_Time;
int16_t Design_No = 1;

void Check_Count(int n) {
    if (n < 0 || n > Max_Equations) throw RuntimeError(Err::SubscriptOutOfRange);
}

namespace {
// The C library's local time: Qt's date classes first build their calendar and time-zone
// tables, which took a third of a whole korvel-cli solve.
QString Local_Now_Text(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[32];
    if (!localtime_r(&now, &local) || std::strftime(text, sizeof text, format, &local) == 0)
        return {};
    return QString::fromLatin1(text);
}
} // namespace

QString Current_Model_Date() {
    return Local_Now_Text("%m-%d-%Y");
}

QString Current_Model_Time() {
    return Local_Now_Text("%H:%M:%S");
}

const QString* Default_Name_Table() {
    // The same names every time: made once, as formatting them took a batch of a thousand
    // files a sixth of its time.
    static const std::array<QString, Array_Size> names = [] {
        std::array<QString, Array_Size> made;
        for (int j = 1; j <= Max_Equations; ++j)
            made[static_cast<size_t>(j)] = QStringLiteral("Y") + Number_Text(j);
        return made;
    }();
    return names.data();
}

void Default_Names() {
    const QString* names = Default_Name_Table();
    for (int j = 1; j <= Max_Equations; ++j)
        Var_Name[j] = names[j];
}

void Default_Model() {
    static const double a[3][3] = {{-2, -1, 1}, {1, 1, 1}, {3, 1, -1}};
    static const double c[3] = {-1, 6, 2};
    Num_Equations = 3;
    Last_Index = 2;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            A_Matrix[i + 1][j + 1] = a[i][j];
    Save_A(Num_Equations);
    for (int i = 0; i < 3; ++i)
        C_Vector[i + 1] = c[i];
    Load_C_Work(Num_Equations);
    Show_A();
    Show_C();
    Show_Names();
}

void Clear_Model(int16_t n) {
    Check_Count(n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            A_Matrix[i][j] = 0.0;
        X_Vector[i] = 0.0;
        C_Vector[i] = 0.0;
    }
    Load_C_Work(n);
    Save_A(n);
}

void Zero_A(int16_t n) {
    Check_Count(n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            A_Matrix[i][j] = 0.0;
    Save_A(n);
}

void Zero_C(int16_t n) {
    Check_Count(n);
    for (int i = 1; i <= n; ++i) {
        X_Vector[i] = 0.0;
        C_Vector[i] = 0.0;
    }
    Load_C_Work(n);
}

void Save_A(int16_t n) {
    Check_Count(n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            A_Save[i][j] = A_Matrix[i][j];
}

void Restore_A(int16_t n) {
    Check_Count(n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            A_Matrix[i][j] = A_Save[i][j];
}

void Load_C_Work(int16_t n) {
    Check_Count(n);
    for (int i = 1; i <= n; ++i)
        C_Work[i] = C_Vector[i];
}

void Work_To_X(int16_t n) {
    Check_Count(n);
    for (int i = 1; i <= n; ++i)
        X_Vector[i] = C_Work[i];
}

void C_To_X(int16_t n) {
    Check_Count(n);
    for (int i = 1; i <= n; ++i)
        X_Vector[i] = C_Vector[i];
}

namespace {
// Zero to three decimals paints grey, anything else red.
BoxColour Colour_Of(double value) {
    return FNRound(value, 3).value_or(0.0) == 0.0 ? BoxColour::Grey : BoxColour::Red;
}
} // namespace

void Show_A_Box(int r, int c) {
    EntryView* view = Entry_View();
    if (!view) return;
    const double value = A_Matrix[r + 1][c + 1];
    view->Paint_Coefficient(16 * r + c, Number_Text(value), Colour_Of(value));
}

void Show_C_Box(int r) {
    EntryView* view = Entry_View();
    if (!view) return;
    view->Paint_Constant(r, Number_Text(C_Vector[r + 1]), Colour_Of(C_Vector[r + 1]));
}

void Show_A() {
    if (!Entry_View()) return;
    Check_Count(Last_Index + 1);
    for (int r = 0; r <= Last_Index; ++r)
        for (int c = 0; c <= Last_Index; ++c)
            Show_A_Box(r, c);
}

void Show_C() {
    if (!Entry_View()) return;
    Check_Count(Last_Index + 1);
    for (int r = 0; r <= Last_Index; ++r)
        Show_C_Box(r);
}

void Show_Names() {
    EntryView* view = Entry_View();
    if (!view) return;
    Check_Count(Last_Index + 1);
    for (int r = 0; r <= Last_Index; ++r)
        view->Paint_Name(r, Var_Name[r + 1]);
}

} // namespace korvel
