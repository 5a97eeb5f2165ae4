#include "ClickLabel.h"

#include "moc_ClickLabel.cpp"
