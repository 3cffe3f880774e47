#pragma once

// A displacement in user units; TranslateRing scales it by *unitScale.
struct Offset {
    double x;
    double y;
    double z;
};
