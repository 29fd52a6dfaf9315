// What every MDI child tells about itself: its kind, in its first window word (the second
// holds its content, the third the plot index it shows).
#pragma once

enum ChildKind : int { kTableWindow = 0, kGraphWindow = 1, kPoleZeroWindow = 2 };
