# The hardening Debian builds its packages with: stack protector, checked
# string and memory functions where the compiler optimises, and a
# relocation table made read-only once loaded. Sanitizer builds go without:
# they check the same faults their own way.
if(NOT TAVELO_SANITIZE)
  add_compile_options(-fstack-protector-strong $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
