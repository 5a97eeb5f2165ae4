// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightTools.h"

#include "model/NumberText.h"

#include <QCoreApplication>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WeightTools)
};

} // namespace

QString WeightLimitMessage()
{
    return Texts::tr("Added weights must be nonzero and are limited to 1 pound (positive or negative).  "
                     "If you need to add more than that, you may use multiple weights.");
}

QString NoFrontAxleMessage()
{
    return Texts::tr("The non-drive axle cannot be placed, because a four-wheel drive car does not have one.");
}

std::optional<float> AcceptWeightMass(const QString &text)
{
    const auto value = parseFloat(text);
    if (!value)
        return std::nullopt;
    const float w = *value;
    if (w < -1.0f || w > 1.0f || (w > -0.0001f && w < 0.0001f))
        return std::nullopt;
    return w;
}

int AddWeight(DesignRecord &design, QPoint at, float mass)
{
    const int slot = design.firstFreeWeightSlot();
    if (slot < 0)
        return -1;
    design.Weights[static_cast<size_t>(slot)] = {at.x(), at.y(), mass, {}};
    return slot;
}

int RemoveWeightAt(DesignRecord &design, QPoint pixel)
{
    for (int i = 0; i < WeightSlotCount; ++i) {
        WeightSlot &slot = design.Weights[static_cast<size_t>(i)];
        if (!slot.Rect.isEmpty() && slot.Rect.contains(pixel.x(), pixel.y())) {
            slot = WeightSlot{};
            return i;
        }
    }
    return -1;
}

bool PlaceFrontAxle(DesignRecord &design, QPoint pixel, const QRect &allowed, const SheetScale &scale)
{
    if (!allowed.contains(pixel))
        return false;
    const QPoint axle = scale.pixelToAxle(pixel.x(), pixel.y());
    design.setFrontAxlePt(static_cast<float>(axle.x()), static_cast<float>(axle.y()));
    return true;
}

} // namespace zindle
