#!/bin/sh
# Starts the installed game in the player's own game folder, where it keeps its puzzle packs,
# saved games and log: the folder is made on the first start and given the sample packs and
# the join sound. A file the player already has is never overwritten, and a sample the player
# removed or renamed in the game is not brought back: the folder's ".samples" lists every file
# ever copied in.
set -eu

prefix=$(dirname "$(dirname "$(readlink -f "$0")")")
data="$prefix/share/pavlemir"
game="${XDG_DATA_HOME:-$HOME/.local/share}/Pavlemir"
copied="$game/.samples"

mkdir -p "$game"
touch "$copied"
(cd "$data" && find . -type f) | while IFS= read -r file; do
  file=${file#./}
  if [ ! -e "$game/$file" ] && ! grep -qxF -- "$file" "$copied"; then
    mkdir -p "$game/$(dirname "$file")"
    cp "$data/$file" "$game/$file"
    printf '%s\n' "$file" >>"$copied"
  fi
done

cd "$game"
exec "$prefix/lib/pavlemir/pavlemir" "$@"
