# cmake -DDESTINO=folder -DARQUIVOS=a|b -P refresh_shipped_catalogue.cmake
#
# Puts the shipped catalogue files into a folder where a program keeps its own catalogue,
# and brings them up to date on later builds, but only while they are still exactly what was
# put there: once the user has saved the catalogue, the folder's files are the user's.
string(REPLACE "|" ";" ARQUIVOS "${ARQUIVOS}")
set(marca ${DESTINO}/.shipped-catalogue)

# A save that has not finished is the user's work too.
foreach(pendente ACORDES.NEW POSICOES.NEW)
    if(EXISTS ${DESTINO}/${pendente})
        return()
    endif()
endforeach()

set(anterior "")
if(EXISTS ${marca})
    file(READ ${marca} anterior)
endif()
set(atual "")
foreach(arquivo ${ARQUIVOS})
    get_filename_component(nome ${arquivo} NAME)
    if(EXISTS ${DESTINO}/${nome})
        file(MD5 ${DESTINO}/${nome} resumo)
        string(APPEND atual "${nome} ${resumo}\n")
    endif()
endforeach()
if(NOT atual STREQUAL "" AND NOT atual STREQUAL anterior)
    return()
endif()

set(novo "")
foreach(arquivo ${ARQUIVOS})
    if(EXISTS ${arquivo})
        get_filename_component(nome ${arquivo} NAME)
        file(COPY_FILE ${arquivo} ${DESTINO}/${nome} ONLY_IF_DIFFERENT)
        file(MD5 ${DESTINO}/${nome} resumo)
        string(APPEND novo "${nome} ${resumo}\n")
    endif()
endforeach()
file(WRITE ${marca} "${novo}")
