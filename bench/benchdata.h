// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Test data shared by the benchmark cases; the same seed gives the same data on every run.
namespace BenchData {

// Picture paths as a photo collection holds them: dated and named folders (some Japanese),
// camera and hand-made file names, mixed letter case, in random order.
QStringList picturePaths(int count, quint32 seed = 2000);

} // namespace BenchData
