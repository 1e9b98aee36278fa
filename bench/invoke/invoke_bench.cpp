// The cost of one call of the control by DISPID, as the program makes thousands of them per
// solving stage: Invoke of MvtV and of the get of Relatif, next to the same calls made directly.
#include "CUBECtl.h"
#include "CUBEIds.h"
#include "control.h"
#include "module.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

IDispatch* Control()
{
    static ControlModule module;
    static IDispatch* control = nullptr;
    if (!control) {
        if (!module.Load(std::string(MERLO_BIN_DIR) + "/cube.ocx") ||
            FAILED(module.CreateInstance(CLSID_CUBE, IID_IDispatch, reinterpret_cast<void**>(&control))))
            std::abort();
    }
    return control;
}

VARIANT I2(int16_t v)
{
    VARIANT r{};
    r.vt = VT_I2;
    r.iVal = v;
    return r;
}

void BM_InvokeMvtV(benchmark::State& state)
{
    IDispatch* d = Control();
    VARIANT args[3] = {I2(1), I2(0), I2(0)}; // n, Direction, Face: last first
    DISPPARAMS dp{args, nullptr, 3, 0};
    for (auto _ : state) {
        const HRESULT hr = d->Invoke(10, IID_NULL, 0, DISPATCH_METHOD, &dp, nullptr, nullptr, nullptr);
        benchmark::DoNotOptimize(hr);
    }
}
BENCHMARK(BM_InvokeMvtV);

void BM_InvokeRelatifGet(benchmark::State& state)
{
    IDispatch* d = Control();
    VARIANT args[3] = {I2(2), I2(1), I2(2)}; // Elmt, Etage, Face
    DISPPARAMS dp{args, nullptr, 3, 0};
    VARIANT result{};
    for (auto _ : state) {
        const HRESULT hr = d->Invoke(21, IID_NULL, 0, DISPATCH_PROPERTYGET, &dp, &result, nullptr, nullptr);
        benchmark::DoNotOptimize(hr);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_InvokeRelatifGet);

// The same work without the dispatch layer, for the layer's share.
void BM_DirectMvtV(benchmark::State& state)
{
    CCUBECtrl ctrl;
    for (auto _ : state) {
        ctrl.MvtV(0, 0, 1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DirectMvtV);

void BM_DirectRelatifGet(benchmark::State& state)
{
    CCUBECtrl ctrl;
    for (auto _ : state)
        benchmark::DoNotOptimize(ctrl.GetRelatif(2, 1, 2));
}
BENCHMARK(BM_DirectRelatifGet);

} // namespace
