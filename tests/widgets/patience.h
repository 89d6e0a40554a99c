// SPDX-License-Identifier: MIT
#pragma once
// How long a widget test waits for a condition before it fails: a ceiling for
// a machine busy with builds, never a measure, yet short enough that a wait for
// something that never comes fails within seconds.
constexpr int kPatienceMs = 15000;
