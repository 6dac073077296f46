# Run by cpack once the package is built. CPack's DEB generator gives each of the package's own
# members (debian-binary, control.tar.gz, data.tar.gz) the mode the builder's umask gave its
# file; dpkg-deb writes 100644 whatever the umask, and so does this, in each member's header.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(SIZE "${package}" size)
  set(header 8)  # after the archive's "!<arch>\n"
  while(header LESS size)
    # A header is 60 bytes: name 16, time 12, owner 6, group 6, mode 8, size 10, end 2.
    file(READ "${package}" fields OFFSET ${header} LIMIT 60)
    string(SUBSTRING "${fields}" 48 10 length)
    string(STRIP "${length}" length)
    math(EXPR mode "${header} + 40")
    execute_process(COMMAND printf "100644  "
                    COMMAND dd "of=${package}" bs=1 "seek=${mode}" conv=notrunc status=none
                    COMMAND_ERROR_IS_FATAL ANY)
    # Each member's data is padded to an even length.
    math(EXPR header "${header} + 60 + (${length} + 1) / 2 * 2")
  endwhile()
endforeach()
