# SPDX-License-Identifier: GPL-3.0-or-later
# The program's relocation table is made read-only once loaded, as Debian
# links its packages. Only linking changes: objects stay as shared by every
# build.
add_link_options(-Wl,-z,relro -Wl,-z,now)
