if(TARGET_LIBS MATCHES "Qt")
    message(FATAL_ERROR "rename_core links Qt: ${TARGET_LIBS}")
endif()
message(STATUS "rename_core links: '${TARGET_LIBS}'")
