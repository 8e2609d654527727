#include "InfusionCalculation.h"

#include "NumberReading.h"

#include <limits>

namespace renkalo {

// The results must come out as with an 80-bit extended evaluation, down to the last
// of the fifteen digits shown (4.4 mmol/l of potassium gives 2,79999999999999 ml).
static_assert(std::numeric_limits<long double>::digits == 64,
              "the formulas need long double to be the 80-bit extended format");

namespace {

using Extended = long double;

struct Range {
    InfusionInput input;
    double InfusionInputs::*value;
    double low;
    double high;
};

// In the order the ranges are checked.
constexpr std::array<Range, InfusionInputCount> Ranges{{
    {InfusionInput::W, &InfusionInputs::W, 0.5, 400},
    {InfusionInput::U, &InfusionInputs::U, 0, 40000},
    {InfusionInput::L, &InfusionInputs::L, 0, 40000},
    {InfusionInput::Na, &InfusionInputs::Na, 20, 400},
    {InfusionInput::K, &InfusionInputs::K, 1, 10},
    {InfusionInput::Cl, &InfusionInputs::Cl, 20, 400},
    {InfusionInput::BD, &InfusionInputs::BD, -40, 40},
    {InfusionInput::R, &InfusionInputs::R, 5, 50},
    {InfusionInput::T, &InfusionInputs::T, 35, 41},
}};

// Where each text lands, in reading order.
constexpr std::array<double InfusionInputs::*, InfusionInputCount> ReadingOrder{
    &InfusionInputs::W,  &InfusionInputs::U, &InfusionInputs::L,  &InfusionInputs::R,  &InfusionInputs::T,
    &InfusionInputs::Na, &InfusionInputs::K, &InfusionInputs::Cl, &InfusionInputs::BD,
};

double stored(Extended value)
{
    return static_cast<double>(value);
}

} // namespace

std::optional<InfusionInput> firstOutOfRange(const InfusionInputs &inputs)
{
    for (const Range &range : Ranges) {
        const double value = inputs.*range.value;
        if (!(value >= range.low && value <= range.high))
            return range.input;
    }
    return std::nullopt;
}

double breathingAddition(double R)
{
    if (R < 30)
        return 0;
    if (R < 40)
        return 400;
    return 800;
}

double temperatureAddition(double T)
{
    if (T < 38)
        return 0;
    if (T < 39)
        return 500;
    return 1000;
}

InfusionResults infusionResults(const InfusionInputs &in)
{
    const Extended W = in.W, U = in.U, L = in.L, Na = in.Na, K = in.K, Cl = in.Cl, BD = in.BD;
    const Extended dR = breathingAddition(in.R);
    const Extended dT = temperatureAddition(in.T);

    InfusionResults r{};
    r[0] = stored(W * 10 + U + L + dR + dT);
    r[1] = stored(W * 10 + dR + dT);
    r[2] = stored(U + L);
    r[3] = in.K <= 4.5 ? stored((4.5L - K) * W * 0.4L) : 0.0;
    r[4] = in.K > 4.5 ? stored((K - 4.2L) / 0.25L * W * 0.2L * 10) : 0.0;
    r[5] = in.Na <= 142 ? stored((142 - Na) * W * 0.12L) : 0.0;
    r[6] = in.Cl <= 100 ? stored((100 - Cl) * W * 0.27L / 154) : 0.0;
    r[7] = in.BD <= -4 ? stored(-(0.6L * BD * W)) : 0.0;
    r[8] = stored(0.5L * W);
    r[9] = in.W;
    r[10] = stored(3 * W);
    r[11] = stored(1.5L * W);
    r[12] = stored(1.42L * W);
    // Computed afresh from W, not from the rounded rate in ml per hour.
    r[13] = stored(1.42L * W / 3);
    r[14] = stored((W * 10 + dR + dT) / 10 / 4);
    return r;
}

InfusionOutcome calculateInfusion(const InfusionTexts &texts, QChar decimalSeparator)
{
    InfusionOutcome outcome;
    InfusionInputs inputs;
    for (int i = 0; i < InfusionInputCount; ++i) {
        const std::optional<double> value = readNumber(texts[i], decimalSeparator);
        if (!value) {
            outcome.status = InfusionOutcome::Status::NotConverted;
            outcome.failedInput = static_cast<InfusionInput>(i);
            return outcome;
        }
        inputs.*ReadingOrder[i] = *value;
    }
    if (const std::optional<InfusionInput> failed = firstOutOfRange(inputs)) {
        outcome.status = InfusionOutcome::Status::OutOfRange;
        outcome.failedInput = *failed;
        return outcome;
    }
    outcome.results = infusionResults(inputs);
    return outcome;
}

} // namespace renkalo
