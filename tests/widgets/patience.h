#pragma once
// How long a widget test waits for a condition before it fails: a ceiling for
// a machine busy with builds, never a measure. Qt Test's own default (5 s) has
// run out on such machines while the awaited event was still on its way.
constexpr int kPatienceMs = 60000;
