#pragma once
double Solve();
