// The built-in example sets: the default 3-equation system and Examples 11-2 and 11-3.
#pragma once

#include <QString>
#include <optional>

namespace korvel {

enum class Example { TestMatrix, Example11_2, Example11_3 };

// Each loader replaces the equations of the model (keeping its name, date, time and
// design number), sets the default names and leaves Solved false. Values outside the
// example's block are kept, hidden, as with any lowering of the count.
void Load_Test_Matrix();
void Load_Example_11_2();
void Load_Example_11_3();
void Load_Example(Example example);

// "test", "11-2" or "11-3", as korvel-cli names them.
std::optional<Example> Example_From_Name(const QString& name);

} // namespace korvel
