// The tolerances of the check screen's page "Data uncertainty", in percent, kept in the
// registry store under the user's key for Korvel ("Data Uncertainty", values Coefficients
// and Constants) so that they outlive the run. Both are 0 until the user sets them; a
// value missing, unreadable or not a percentage from 0 to 100 reads as 0.
#pragma once

#include <QString>

namespace korvel {

struct DataUncertainty {
    double coefficients = 0; // percent
    double constants = 0;    // percent
    bool Any() const { return coefficients > 0 || constants > 0; }
};

// The key under HKEY_CURRENT_USER.
QString Data_Uncertainty_Key();

DataUncertainty Remembered_Uncertainty();

// Returns false when the store could not be written.
bool Remember_Uncertainty(const DataUncertainty& uncertainty);

} // namespace korvel
