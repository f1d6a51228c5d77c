# SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The warnings and sanitizers of every build of ours, the Qt 6 programs and the Kate plugin's
# project alike: RAVELIN_WERROR turns warnings into errors, RAVELIN_SANITIZE adds
# AddressSanitizer and UndefinedBehaviorSanitizer.
add_compile_options(-Wall -Wextra -Wpedantic)
if(RAVELIN_WERROR)
    add_compile_options(-Werror)
endif()
if(RAVELIN_SANITIZE)
    # Stop at the first report, and keep frame pointers for readable stacks.
    set(RAVELIN_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                                -fno-omit-frame-pointer)
    add_compile_options(${RAVELIN_SANITIZER_FLAGS})
    add_link_options(${RAVELIN_SANITIZER_FLAGS})
endif()
