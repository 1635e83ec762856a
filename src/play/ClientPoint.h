// A point in view client coordinates.
#pragma once

// Every play coordinate is a view client coordinate; a piece's position is its image's corner.
struct ClientPoint {
  int x = 0;
  int y = 0;
  constexpr bool operator==(const ClientPoint&) const = default;
};
