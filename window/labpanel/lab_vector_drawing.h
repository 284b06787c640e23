#pragma once

#include "lab.h"

#include <QRectF>

class QPainter;

// The drawing of the laboratory's vector plot, shared by "Vektor laboratória" on the screen and
// the worksheet's two plots on paper (lab_vector_geometry.h has its geometry).
//
// In `room`, in the painter's units (design pixels on the screen, points on paper), with the
// painter's font for the labels: a frame of the run's plane (LabRunPlane) at the plane's aspect,
// with round ticks labelled along its bottom and left edges; inside it, clipped to it, the axes
// through the origin, for the hyperbolic system its asymptotes, and the system's curve through
// one state. Then, as `scene` asks, the states: their vectors from the origin faded, the shown
// one red with its tip, and the move into it from the state before as a blue arrow.
struct TLabVectorScene {
    const TLabRun* run = nullptr; // not refused, or nothing is drawn but the empty frame
    TLabSystem system = TLabSystem::Circular;
    // The state shown (0 .. n); the curve goes through it. -1: no state at all, only the curve
    // through state 0 and the axes, for drawing by hand.
    int shown = -1;
    // Every state of the run, not only those up to the shown one, and the path through their
    // tips in place of the one move: the worksheet's answer.
    bool everyState = false;
    // The indices of the states up to this one beside their tips (-1: none).
    int lastLabel = -1;
    // A grid at the ticks, for drawing by hand.
    bool grid = false;
};

void DrawLabVector(QPainter& painter, const QRectF& room, const TLabVectorScene& scene);
