// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickLabel.h"

#include "moc_ClickLabel.cpp"
