// SPDX-License-Identifier: MIT
// Handler times through the real widgets, and the pure table lookups alone.
//   bench_handlers [Google Benchmark options]

#include "application.h"
#include "cooling_air.h"
#include "fan_chart.h"
#include "form1.h"
#include "motor_catalogue.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

std::unique_ptr<Form1> shownWindow() {
    auto form = std::make_unique<Form1>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qFatal("the window was not shown");
    return form;
}

// A pick in the compressor list with the arrow keys: Combo1_Click copies the power into the
// rating list and runs Combo2_Click, which fills the three cooling-air values.
void PickCompressorPower(benchmark::State& state) {
    const auto form = shownWindow();
    auto* list = form->findChild<QComboBox*>(QStringLiteral("Combo1"));
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    bool down = true;
    for (auto _ : state) {
        QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up); // 37 and 45 kW in turn
        down = !down;
    }
    benchmark::DoNotOptimize(form->findChild<QLineEdit*>(QStringLiteral("Text2"))->text());
}
BENCHMARK(PickCompressorPower);

QPushButton* calculateButtonAfterPicking132(Form1& form) {
    auto* list = form.findChild<QComboBox*>(QStringLiteral("Combo1"));
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    for (int i = 0; i < 13; ++i)
        QTest::keyClick(list, Qt::Key_Down); // 132 kW
    return form.findChild<QPushButton*>(QStringLiteral("Command1"));
}

// "Hesapla" clicked with the mouse: the chart, the speed option, the motor power and the motor
// lookup, and the toolkit's own work for a click (it repaints the pressed button at once).
void PressCalculate(benchmark::State& state) {
    const auto form = shownWindow();
    QPushButton* button = calculateButtonAfterPicking132(*form);
    for (auto _ : state)
        QTest::mouseClick(button, Qt::LeftButton);
}
BENCHMARK(PressCalculate);

// The same through the button's click signal alone, without the mouse events and the repaint of
// the pressed button: the handler and its writes to the window.
void CalculateHandler(benchmark::State& state) {
    const auto form = shownWindow();
    QPushButton* button = calculateButtonAfterPicking132(*form);
    for (auto _ : state)
        button->click();
}
BENCHMARK(CalculateHandler);

void CoolingAirLookup(benchmark::State& state) {
    constexpr std::array<float, 4> powers{7.5F, 37.F, 132.F, 18.5F};
    constexpr std::array<float, 4> ratings{15.F, 45.F, 132.F, 22.F};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(selection::coolingAirFor(powers[i % 4], ratings[i % 4]));
        ++i;
    }
}
BENCHMARK(CoolingAirLookup);

void MotorLookup(benchmark::State& state) {
    constexpr std::array<float, 4> powers{0.18F, 1.1F, 4.F, 5.F};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(selection::motorFor(static_cast<int>(i % 3), powers[i % 4]));
        ++i;
    }
}
BENCHMARK(MotorLookup);

void FanChartLookup(benchmark::State& state) {
    struct Input {
        float air, pressure, diameter;
    };
    constexpr std::array<Input, 4> inputs{
        {{1500, 60, 350}, {6000, 190, 500}, {8600, 180, 770}, {21900, 350, 950}}};
    std::size_t i = 0;
    for (auto _ : state) {
        const Input& in = inputs[i++ % 4];
        benchmark::DoNotOptimize(selection::selectFan(in.air, in.pressure, in.diameter));
    }
}
BENCHMARK(FanChartLookup);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
