#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace renkalo {

// The nine inputs, in the order they are read.
enum class InfusionInput { W, U, L, R, T, Na, K, Cl, BD };
inline constexpr int InfusionInputCount = 9;
inline constexpr int InfusionResultCount = 15;

// Weight (kg), daily urine and current losses (ml), breathing rate (per minute),
// body temperature (°C), plasma sodium, potassium, chloride and base deficit (mmol/l).
struct InfusionInputs {
    double W = 0, U = 0, L = 0, R = 0, T = 0, Na = 0, K = 0, Cl = 0, BD = 0;
};

// The fifteen results; element i belongs to display i + 1 (LMDLEDLabel1 first).
using InfusionResults = std::array<double, InfusionResultCount>;

// The inputs' texts in reading order (W, U, L, R, T, Na, K, Cl, BD).
using InfusionTexts = std::array<QString, InfusionInputCount>;

// What a calculation came to: the results, or the input that stopped it.
struct InfusionOutcome {
    enum class Status { Computed, NotConverted, OutOfRange };
    Status status = Status::Computed;
    // The first text that does not convert, or the first value out of its range.
    InfusionInput failedInput = InfusionInput::W;
    InfusionResults results{};
};

// The first value outside its accepted range (bounds included), checked in the
// order W, U, L, Na, K, Cl, BD, R, T.
std::optional<InfusionInput> firstOutOfRange(const InfusionInputs &inputs);

// The step additions (ml) for the breathing rate and the body temperature.
double breathingAddition(double R);
double temperatureAddition(double T);

// The fifteen results of inputs that passed the range check, each formula evaluated
// left to right in extended precision and rounded once to a double.
InfusionResults infusionResults(const InfusionInputs &inputs);

// The whole calculation: reads the texts in order with the given decimal separator
// (the first that does not convert ends the reading), checks the ranges, computes.
InfusionOutcome calculateInfusion(const InfusionTexts &texts, QChar decimalSeparator);

} // namespace renkalo
