#pragma once

#include <QIcon>

namespace zeph {

// The program icon: a small chart sheet with its axes, the saturation curve,
// one relative-humidity curve and a plotted point, at the usual icon sizes
// from 16 to 256 px.
QIcon AppIcon();

}  // namespace zeph
