// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design's texts a physics step reads as numbers: the part parameters, the friction
// preference and the figures of the spring and tread the design uses. A refresh parses them
// once, after the build step has corrected the texts, and hands them to each step; a step run
// on its own parses them where it begins. A text that is no number reads as 0, as the steps
// have always read it (the run checks keep such a design from being run).

#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"

#include <QStringList>

namespace zindle {

struct DesignNumbers {
    // Part parameters, in.
    float SpringWidth = 0.0f, SpringLength = 0.0f;
    float DriveWhlDia = 0.0f, DriveAxleDia = 0.0f, DriveAxleLength = 0.0f;
    float OtherWhlDia = 0.0f, OtherAxleDia = 0.0f, OtherAxleLength = 0.0f;
    float Friction = 0.0f; // lb
    // The spring material: thickness (in), density (lbm/cu in), sample width (in) and the
    // torque of the sample fully wound (row 0 of its curve, in-lb).
    float SpringThickness = 0.0f, SpringDensity = 0.0f, SpringSampleWidth = 0.0f, SpringMaxTorque = 0.0f;
    float TreadFriction = 0.0f; // coefficient of the tread material
    // The texts that are no number, by the names the run checks report them under ("Spring
    // width", ... "Case ratio", "Friction force"), in the order the form shows them.
    QStringList notNumbers;
};

DesignNumbers ParseDesignNumbers(const DesignRecord &design, const MaterialCatalogue &catalogue);

} // namespace zindle
