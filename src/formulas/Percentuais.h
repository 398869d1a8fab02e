// The share of each component in a formula.
#pragma once

#include <vector>

// Each quantity's share of their plain (unrounded) total, in percent,
// rounded to 4 decimals with Arredondar; the remainder goes to the last
// share whose quantity is not zero, so the shares add up to exactly 100.
// Zero total (or no quantity): every share is 0.
std::vector<double> CalcularPercentuais(const std::vector<double>& quantidades);

// The total of the quantities, rounded to 4 decimals.
double TotalQuantidades(const std::vector<double>& quantidades);
