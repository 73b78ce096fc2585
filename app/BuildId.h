#pragma once
// The build identifier: the commit the program was built from (`git describe`), or
// "neznámy" for a build outside a git checkout. Shown by --version, in "O programe" and in
// the footer of every calculation sheet, so that a filed sheet names the program that made it.

namespace vortalin {

const char* BuildId();

} // namespace vortalin
