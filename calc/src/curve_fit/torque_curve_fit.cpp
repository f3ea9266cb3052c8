#include "kinetra/torque_curve_fit.h"

#include "curve_fit/refusals.h"
#include "curve_fit/spanish_numbers.h"
#include "curve_fit/torque_points.h"
#include "kinetra/calc_fault.h"
#include "kinetra/field_value.h"

#include <QLocale>

#include <Eigen/Dense>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kinetra {
namespace {

// The greatest of f on [low, high], where f is known to have one top near
// `around`: a grid first, then golden-section on the grid's best interval.
template <class F>
std::pair<double, double> Greatest(F f, double low, double high)
{
    constexpr int kSteps = 2048;
    const double step = (high - low) / kSteps;
    double bestAt = low;
    double best = f(low);
    for (int i = 1; i <= kSteps; ++i) {
        const double at = i == kSteps ? high : low + step * i;
        if (const double value = f(at); value > best) {
            best = value;
            bestAt = at;
        }
    }
    double a = std::max(low, bestAt - step);
    double b = std::min(high, bestAt + step);
    const double ratio = std::numbers::phi - 1; // the golden section
    for (int i = 0; i < 80 && b - a > 1e-9 * std::max(1.0, std::fabs(b)); ++i) {
        const double left = b - ratio * (b - a);
        const double right = a + ratio * (b - a);
        if (f(left) < f(right)) {
            a = left;
        } else {
            b = right;
        }
    }
    const double refinedAt = (a + b) / 2;
    if (const double refined = f(refinedAt); refined > best) {
        return {refinedAt, refined};
    }
    return {bestAt, best};
}

// Torque rising this much beyond the last point, in % of the peak, is a rise
// and not the rounding of a flat end.
constexpr double kRiseTolerancePercent = 0.1;

struct Candidate {
    TorqueCoefficients coefficients{};
    int degree = 0;
    double deviation = 0;
    CurveShape shape;

    bool WellBehaved() const { return KeepsShape(shape); }
};

std::optional<Candidate> LeastSquares(std::span<const TorquePoint> points, int degree, double speedScale)
{
    // Speeds scaled to 0 .. 1 keep the powers of the columns of one size, and
    // QR solves without squaring the condition as the normal equations do.
    const auto rows = static_cast<Eigen::Index>(points.size());
    Eigen::MatrixXd powers(rows, degree + 1);
    Eigen::VectorXd torque(rows);
    for (Eigen::Index i = 0; i < rows; ++i) {
        const double x = points[static_cast<std::size_t>(i)].revPerMinute / 60 / speedScale;
        double power = 1;
        for (int k = 0; k <= degree; ++k) {
            powers(i, k) = power;
            power *= x;
        }
        torque(i) = points[static_cast<std::size_t>(i)].newtonMetres;
    }
    const Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(powers);
    if (qr.rank() < degree + 1) {
        return std::nullopt;
    }
    const Eigen::VectorXd scaled = qr.solve(torque);
    Candidate candidate;
    candidate.degree = degree;
    double divisor = 1;
    for (int k = 0; k <= degree; ++k) {
        candidate.coefficients[static_cast<std::size_t>(k)] = scaled(k) / divisor;
        divisor *= speedScale;
    }
    if (!std::ranges::all_of(candidate.coefficients, [](double c) { return std::isfinite(c); })) {
        return std::nullopt;
    }
    for (const TorquePoint& point : points) {
        candidate.deviation =
            std::max(candidate.deviation,
                     std::fabs(CurveTorque(candidate.coefficients, point.revPerMinute) - point.newtonMetres));
    }
    return candidate;
}

// The automatic degree. First only the degrees whose curve keeps its shape
// (positive from 0 rev/min to the last point, no climb beyond it): the
// lowest of them within the tolerance, or else the one of them that follows
// the points best. Only when no degree keeps its shape, the best of all.
const Candidate& Choose(const std::vector<Candidate>& candidates, double tolerance)
{
    std::vector<const Candidate*> behaved;
    for (const Candidate& candidate : candidates) {
        if (candidate.WellBehaved()) {
            behaved.push_back(&candidate);
        }
    }
    if (behaved.empty()) {
        return *std::ranges::min_element(candidates, {}, &Candidate::deviation);
    }
    const auto within = std::ranges::find_if(behaved, [&](const Candidate* c) { return c->deviation <= tolerance; });
    if (within != behaved.end()) {
        return **within;
    }
    return **std::ranges::min_element(behaved, {}, &Candidate::deviation);
}

CurveField BrochureField(int index)
{
    constexpr std::array kFields{CurveField::PeakTorque, CurveField::PeakTorqueSpeed, CurveField::PeakPower,
                                 CurveField::PeakPowerSpeed};
    return kFields[static_cast<std::size_t>(index)];
}

QString BrochureName(CurveField field)
{
    switch (field) {
    case CurveField::PeakTorque: return QStringLiteral("Par máximo");
    case CurveField::PeakTorqueSpeed: return QStringLiteral("Régimen del par máximo");
    case CurveField::PeakPower: return QStringLiteral("Potencia máxima");
    case CurveField::PeakPowerSpeed: return QStringLiteral("Régimen de la potencia máxima");
    case CurveField::Points: break;
    }
    return QStringLiteral("Puntos");
}

bool Blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

} // namespace

double CurveTorque(const TorqueCoefficients& c, double revPerMinute)
{
    const double n = revPerMinute / 60;
    double torque = 0;
    for (auto k = c.size(); k-- > 0;) {
        torque = torque * n + c[k];
    }
    return torque;
}

double CurvePower(const TorqueCoefficients& c, double revPerMinute)
{
    return CurveTorque(c, revPerMinute) * 2 * std::numbers::pi * (revPerMinute / 60) / 1000;
}

CurveShape ShapeOf(const TorqueCoefficients& c, double lastRevPerMinute)
{
    CurveShape shape;
    const auto torque = [&](double rpm) { return CurveTorque(c, rpm); };
    std::tie(shape.peakTorqueSpeed, shape.peakTorque) = Greatest(torque, 0, lastRevPerMinute);
    std::tie(shape.peakPowerSpeed, shape.peakPower) =
        Greatest([&](double rpm) { return CurvePower(c, rpm); }, 0, lastRevPerMinute);
    double lowest = 0;
    std::tie(shape.lowestTorqueSpeed, lowest) = Greatest([&](double rpm) { return -torque(rpm); }, 0, lastRevPerMinute);
    shape.lowestTorque = -lowest;
    shape.torqueAtRest = c[0];
    const double atLast = torque(lastRevPerMinute);
    const double beyond = Greatest(torque, lastRevPerMinute, lastRevPerMinute * 1.25).second;
    shape.risesBeyondLastPoint =
        beyond > atLast + kRiseTolerancePercent / 100 * std::max(std::fabs(shape.peakTorque), 1.0);
    return shape;
}

std::variant<TorqueCurveFit, CurveRefusal> FitTorquePoints(std::span<const TorquePoint> points, int degree)
{
    const auto count = static_cast<int>(points.size());
    const int needed = degree == kAutomaticDegree ? 2 : degree + 1;
    if (count < needed) {
        const QString needs = degree == kAutomaticDegree
                                  ? QStringLiteral("Hacen falta al menos 2 puntos")
                                  : QStringLiteral("El grado %1 necesita al menos %2 puntos").arg(degree).arg(needed);
        return Refusal(CurveField::Points, 0, QStringLiteral("%1, y hay %2.").arg(needs).arg(count));
    }
    std::vector<TorquePoint> sorted(points.begin(), points.end());
    std::ranges::sort(sorted, {}, &TorquePoint::revPerMinute);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const TorquePoint& p = sorted[i];
        if (!std::isfinite(p.revPerMinute) || !std::isfinite(p.newtonMetres) || p.revPerMinute < 0
            || p.newtonMetres < 0) {
            return Refusal(CurveField::Points, 0,
                           QStringLiteral("Cada punto necesita un régimen y un par de 0 en adelante."));
        }
        if (i > 0 && sorted[i - 1].revPerMinute == p.revPerMinute) {
            return Refusal(
                CurveField::Points, 0,
                QStringLiteral("Dos puntos dicen %1 rev/min; cada régimen, una vez.").arg(SpanishText(p.revPerMinute)));
        }
    }

    const double last = sorted.back().revPerMinute;
    const double peak = std::ranges::max(sorted, {}, &TorquePoint::newtonMetres).newtonMetres;
    const int lowest = degree == kAutomaticDegree ? 1 : degree;
    const int highest = degree == kAutomaticDegree ? std::min(kHighestDegree, count - 1) : degree;
    std::vector<Candidate> candidates;
    for (int d = lowest; d <= highest; ++d) {
        if (auto candidate = LeastSquares(sorted, d, last / 60)) {
            candidate->shape = ShapeOf(candidate->coefficients, last);
            candidates.push_back(*candidate);
        }
    }
    if (candidates.empty()) {
        return Refusal(CurveField::Points, 0,
                       QStringLiteral("Los puntos no bastan para el grado pedido: están demasiado juntos, o sus "
                                      "números son demasiado grandes."));
    }

    TorqueCurveFit fit;
    const double tolerance = kAutomaticTolerancePercent / 100 * peak;
    const Candidate& chosen = Choose(candidates, tolerance);
    fit.withinTolerance = chosen.deviation <= tolerance;
    fit.degreeByHand = degree != kAutomaticDegree;
    fit.keepsShape = chosen.WellBehaved();
    fit.coefficients = chosen.coefficients;
    fit.degree = chosen.degree;
    fit.largestDeviation = chosen.deviation;
    fit.largestDeviationPercent = peak > 0 ? chosen.deviation / peak * 100 : 0;
    fit.shape = chosen.shape;
    fit.points = sorted;
    fit.firstRevPerMinute = sorted.front().revPerMinute;
    fit.lastRevPerMinute = last;
    return fit;
}

std::variant<TorqueCurveFit, CurveRefusal> FitBrochure(double peakTorque, double peakTorqueSpeed, double peakPowerKw,
                                                       double peakPowerSpeed)
{
    const std::array figures{peakTorque, peakTorqueSpeed, peakPowerKw, peakPowerSpeed};
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const CurveField field = BrochureField(static_cast<int>(i));
        const bool isSpeed = i % 2 == 1;
        if (!std::isfinite(figures[i]) || figures[i] < 0 || (!isSpeed && figures[i] == 0)) {
            return Refusal(field, 0, QStringLiteral("«%1» ha de ser mayor que 0.").arg(BrochureName(field)));
        }
    }
    if (peakPowerSpeed <= peakTorqueSpeed) {
        return Refusal(CurveField::PeakPowerSpeed, 0,
                       QStringLiteral("La potencia máxima llega a %1 rev/min, y el par máximo a %2: la potencia "
                                      "máxima ha de llegar a más rev/min que el par máximo.")
                           .arg(SpanishText(peakPowerSpeed), SpanishText(peakTorqueSpeed)));
    }
    const double nTorque = peakTorqueSpeed / 60;
    const double nPower = peakPowerSpeed / 60;
    const double torqueAtPower = peakPowerKw * 1000 / (2 * std::numbers::pi * nPower);
    if (torqueAtPower >= peakTorque) {
        return Refusal(CurveField::PeakPower, 0,
                       QStringLiteral("%1 kW a %2 rev/min son %3 N·m, no menos que el par máximo de %4 N·m: revise "
                                      "las cifras del folleto.")
                           .arg(SpanishText(peakPowerKw), SpanishText(peakPowerSpeed),
                                QString::number(torqueAtPower, 'f', 1).replace(u'.', u','), SpanishText(peakTorque)));
    }
    // T(n) = peak - k (n - nTorque)², in rising powers of n.
    const double k = (peakTorque - torqueAtPower) / ((nPower - nTorque) * (nPower - nTorque));
    TorqueCurveFit fit;
    fit.fromBrochure = true;
    fit.degree = 2;
    fit.coefficients = {peakTorque - k * nTorque * nTorque, 2 * k * nTorque, -k, 0, 0, 0, 0};
    fit.points = {{peakTorqueSpeed, peakTorque}, {peakPowerSpeed, torqueAtPower}};
    for (const TorquePoint& point : fit.points) {
        fit.largestDeviation = std::max(
            fit.largestDeviation, std::fabs(CurveTorque(fit.coefficients, point.revPerMinute) - point.newtonMetres));
    }
    fit.largestDeviationPercent = fit.largestDeviation / peakTorque * 100;
    fit.firstRevPerMinute = peakTorqueSpeed;
    fit.lastRevPerMinute = peakPowerSpeed;
    fit.shape = ShapeOf(fit.coefficients, peakPowerSpeed);
    fit.keepsShape = KeepsShape(fit.shape);
    return fit;
}

CurveOutcome FitTorqueCurve(const CurveRequest& request)
{
    if (!Blank(request.points)) {
        auto read = ReadTorquePoints(request.points);
        if (auto* refusal = std::get_if<CurveRefusal>(&read)) {
            return std::move(*refusal);
        }
        auto& [points, notes] = std::get<ReadPoints>(read);
        auto fit = FitTorquePoints(points, request.degree);
        if (auto* refusal = std::get_if<CurveRefusal>(&fit)) {
            return std::move(*refusal);
        }
        std::get<TorqueCurveFit>(fit).readingNotes = notes;
        return std::get<TorqueCurveFit>(std::move(fit));
    }

    const std::array texts{&request.peakTorque, &request.peakTorqueSpeed, &request.peakPower, &request.peakPowerSpeed};
    if (std::ranges::all_of(texts, [](const QString* text) { return Blank(*text); })) {
        return std::monostate{};
    }
    std::array<double, 4> figures{};
    ReadingLog log;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const CurveField field = BrochureField(static_cast<int>(i));
        const QString typed = texts[i]->trimmed();
        if (typed.isEmpty()) {
            return Refusal(
                field, 0,
                QStringLiteral("«%1» está vacío: el folleto necesita sus cuatro cifras.").arg(BrochureName(field)));
        }
        const auto number = ReadSpanishNumber(typed);
        if (!number) {
            return Refusal(
                field, 0,
                QStringLiteral("«%1» dice «%2», que no es un número.").arg(BrochureName(field), ShortQuote(typed)));
        }
        log.Add(typed, *number);
        figures[i] = number->value;
    }
    auto fit = FitBrochure(figures[0], figures[1], figures[2], figures[3]);
    if (auto* refusal = std::get_if<CurveRefusal>(&fit)) {
        return std::move(*refusal);
    }
    std::get<TorqueCurveFit>(fit).readingNotes = log.Notes();
    return std::get<TorqueCurveFit>(std::move(fit));
}

std::array<QString, 7> CoefficientTexts(const TorqueCoefficients& c)
{
    std::array<QString, 7> texts;
    for (std::size_t k = 0; k < c.size(); ++k) {
        // "-0" would read back as 0 all the same, but looks like a mistake.
        texts[k] = QString::number(c[k] == 0 ? 0.0 : c[k], 'g', QLocale::FloatingPointShortest);
    }
    return texts;
}

std::optional<TorqueCoefficients> CoefficientsOfTexts(const std::array<QString, 7>& texts)
{
    TorqueCoefficients c{};
    try {
        for (std::size_t k = 0; k < texts.size(); ++k) {
            c[k] = FieldValue(texts[k]);
        }
    } catch (const CalcFault&) {
        return std::nullopt;
    }
    return c;
}

} // namespace kinetra
