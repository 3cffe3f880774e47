#include "entry/GenerationRun.h"

#include <new>

#include "dialog/ParameterDialog.h"
#include "entry/PluginState.h"
#include "host/HostContext.h"
#include "mesh/Placement.h"
#include "mesh/RingStitch.h"
#include "mesh/RingSweep.h"
#include "mesh/RunSoundness.h"
#include "mesh/VertexRings.h"
#include "params/GenerationParameters.h"
#include "platform/DialogResults.h"
#include "platform/TWindow.h"
#include "platform/WindowsServices.h"

namespace {

// The window object that wraps the host's window now, or a new alias for
// it; none when there is no memory (the dialog then has no parent).
TWindow* ParentWindowFor(WindowHandle window) {
    if (TWindow* existing = TWindow::FindWindowObject(window)) return existing;
    return new (std::nothrow) TWindow(window, PluginModule);
}

// Builds the object in the host. Everything that allocates (the ring list,
// the sweep's rings) happens before the first change to the host.
void BuildObject(SelectVertiesOfArrowAll& rings) {
    SweepTubeCircles(Parameters.ringSections, Parameters.tubeSections, rings, Parameters.ringRadius,
                     Parameters.tubeRadius);
    StitchRings(rings);
    // Moves the new vertices to the centre, makes them the whole selection
    // and writes their count, in one pass over the mesh.
    PlaceAndSelectRings(rings, Offset{Parameters.centreX, Parameters.centreY, Parameters.centreZ});
}

}  // namespace

bool RunXmodeler(WindowHandle window, std::int32_t /*ignored*/, ModelerContext* context) noexcept {
    HostContext = context;
    ParentHandle = window;
    CursorHandle previousCursor = nullptr;
    bool waitCursorShown = false;
    // A run that builds nothing for a reason other than Cancel.
    const auto endRefused = [&] {
        ReleasePluginObjects();
        Platform::MessageBeep(Platform::kBeepHand);
        if (waitCursorShown) Platform::SetCursor(previousCursor);
        return false;
    };
    try {
        ParentWindow = ParentWindowFor(ParentHandle);
        previousCursor = Platform::SetCursor(Platform::LoadCursorA(nullptr, Platform::kWaitCursor));
        waitCursorShown = true;

        if (RunParameterDialog(ParentWindow, PluginModule) == kCancelCommand) {
            ReleasePluginObjects();
            Platform::SetCursor(previousCursor);
            return false;
        }

        SelectVertiesOfArrowAll rings;
        if (JudgeRun(Parameters, ReadHostState(*HostContext)) != RunVerdict::Sound) return endRefused();
        BuildObject(rings);

        ReleasePluginObjects();
        Platform::MessageBeep(Platform::kBeepExclamation);
        Platform::SetCursor(previousCursor);
        return true;
    } catch (...) {
        return endRefused();
    }
}
