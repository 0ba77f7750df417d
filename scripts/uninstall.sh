#!/bin/sh
# Removes what the last `cmake --install` of the build folder BUILD put in place: the files
# of its install_manifest.txt (one path a line), then, deepest first, the folders that
# installs created (install_folders.txt) where nothing else is left in them.
set -eu
build=${1:-build}
manifest=$build/install_manifest.txt
folders=$build/install_folders.txt
if [ ! -f "$manifest" ]; then
  echo "$manifest is missing: nothing was installed from $build" >&2
  exit 1
fi
xargs -d '\n' rm -f -- < "$manifest"

created() { [ -f "$folders" ] && grep -Fqx -- "$1" "$folders"; }

# The desktop's databases, without the lesson files' type and the menu entry. Where they
# describe nothing any more, in a folder an install created, they go with the folder.
sed -n 's|/packages/volnograf-grafc\.xml$||p' "$manifest" | while IFS= read -r dir; do
  if created "$dir" && [ -z "$(ls -A "$dir/packages" 2>/dev/null)" ]; then
    rm -rf -- "$dir"
  else
    update-mime-database "$dir" 2>/dev/null || true
  fi
done
sed -n 's|/volnograf\.desktop$||p' "$manifest" | while IFS= read -r dir; do
  if created "$dir" && [ -z "$(ls "$dir" | grep -v '^mimeinfo\.cache$' || true)" ]; then
    rm -f -- "$dir/mimeinfo.cache"
  else
    update-desktop-database "$dir" 2>/dev/null || true
  fi
done

# The program's folder and its help folder are removed when empty, however they came.
sed -n 's|/help/help\.chm$||p' "$manifest" | while IFS= read -r dir; do
  rmdir -- "$dir/help" "$dir" 2>/dev/null || true
done
if [ -f "$folders" ]; then
  sort -r -u "$folders" | while IFS= read -r dir; do
    [ -n "$dir" ] && rmdir -- "$dir" 2>/dev/null || true
  done
  # Folders still holding something are kept on the list for a later uninstall.
  kept=$(while IFS= read -r dir; do [ -d "$dir" ] && printf '%s\n' "$dir"; done < "$folders" || true)
  if [ -n "$kept" ]; then printf '%s\n' "$kept" > "$folders"; else rm -f -- "$folders"; fi
fi
