# The layers as the compiler sees them. A layer's library gets no include
# folder of the whole tree, but one of its own in the build tree that holds a
# single link, named as the layer, to the layer's folder; the layers below
# reach it through target_link_libraries, which only ever point down. So
# `#include "ui/splash.h"` in host/ names a file the compiler cannot find.
# scripts/check-layers says the same in words, and also looks at headers that
# no source file of their own layer includes.
function(replymate_layer target folder)
  set(scope PUBLIC)
  if(ARGC GREATER 2)
    set(scope ${ARGV2})
  endif()
  set(root ${CMAKE_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} ${scope} ${root})
endfunction()
