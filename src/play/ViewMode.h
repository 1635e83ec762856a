// The view's single mode value, read by every handler and by the idle step.
#pragma once

enum class ViewMode { Gallery = 0, Play = 1, Celebration = 2 };
