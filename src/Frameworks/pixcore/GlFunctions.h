#pragma once

#include <juce_core/juce_core.h>
#include <GL/glcorearb.h>
#include <functional>

namespace graphics
{

/** Every OpenGL entry point the graphics layer calls, as (pointer type, name). */
#define PIXCORE_GL_FUNCTIONS(X) \
    X (PFNGLGETERRORPROC, glGetError) \
    X (PFNGLGETSTRINGPROC, glGetString) \
    X (PFNGLGETINTEGERVPROC, glGetIntegerv) \
    X (PFNGLFINISHPROC, glFinish) \
    X (PFNGLVIEWPORTPROC, glViewport) \
    X (PFNGLPIXELSTOREIPROC, glPixelStorei) \
    X (PFNGLGENTEXTURESPROC, glGenTextures) \
    X (PFNGLDELETETEXTURESPROC, glDeleteTextures) \
    X (PFNGLBINDTEXTUREPROC, glBindTexture) \
    X (PFNGLACTIVETEXTUREPROC, glActiveTexture) \
    X (PFNGLTEXPARAMETERIPROC, glTexParameteri) \
    X (PFNGLTEXIMAGE2DPROC, glTexImage2D) \
    X (PFNGLTEXSUBIMAGE2DPROC, glTexSubImage2D) \
    X (PFNGLTEXIMAGE3DPROC, glTexImage3D) \
    X (PFNGLTEXSUBIMAGE3DPROC, glTexSubImage3D) \
    X (PFNGLGETTEXIMAGEPROC, glGetTexImage) \
    X (PFNGLGENFRAMEBUFFERSPROC, glGenFramebuffers) \
    X (PFNGLDELETEFRAMEBUFFERSPROC, glDeleteFramebuffers) \
    X (PFNGLBINDFRAMEBUFFERPROC, glBindFramebuffer) \
    X (PFNGLFRAMEBUFFERTEXTURE2DPROC, glFramebufferTexture2D) \
    X (PFNGLCHECKFRAMEBUFFERSTATUSPROC, glCheckFramebufferStatus) \
    X (PFNGLGENVERTEXARRAYSPROC, glGenVertexArrays) \
    X (PFNGLDELETEVERTEXARRAYSPROC, glDeleteVertexArrays) \
    X (PFNGLBINDVERTEXARRAYPROC, glBindVertexArray) \
    X (PFNGLDRAWARRAYSPROC, glDrawArrays) \
    X (PFNGLCREATESHADERPROC, glCreateShader) \
    X (PFNGLDELETESHADERPROC, glDeleteShader) \
    X (PFNGLSHADERSOURCEPROC, glShaderSource) \
    X (PFNGLCOMPILESHADERPROC, glCompileShader) \
    X (PFNGLGETSHADERIVPROC, glGetShaderiv) \
    X (PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog) \
    X (PFNGLCREATEPROGRAMPROC, glCreateProgram) \
    X (PFNGLDELETEPROGRAMPROC, glDeleteProgram) \
    X (PFNGLATTACHSHADERPROC, glAttachShader) \
    X (PFNGLLINKPROGRAMPROC, glLinkProgram) \
    X (PFNGLGETPROGRAMIVPROC, glGetProgramiv) \
    X (PFNGLGETPROGRAMINFOLOGPROC, glGetProgramInfoLog) \
    X (PFNGLUSEPROGRAMPROC, glUseProgram) \
    X (PFNGLGETACTIVEUNIFORMPROC, glGetActiveUniform) \
    X (PFNGLGETUNIFORMLOCATIONPROC, glGetUniformLocation) \
    X (PFNGLPROGRAMUNIFORM1FPROC, glProgramUniform1f) \
    X (PFNGLPROGRAMUNIFORM4FPROC, glProgramUniform4f) \
    X (PFNGLPROGRAMUNIFORM1IPROC, glProgramUniform1i)

//==============================================================================
/**
    The OpenGL entry points of one context. They are looked up through the
    platform's loader rather than linked, because on Windows anything past
    OpenGL 1.1 exists only as a pointer of the context that answered.
*/
struct GlFunctions
{
   #define PIXCORE_GL_DECLARE(type, name) type name = nullptr;
    PIXCORE_GL_FUNCTIONS (PIXCORE_GL_DECLARE)
   #undef PIXCORE_GL_DECLARE

    /** Looks every entry point up; fails naming the first one the loader does not know. */
    juce::Result load (const std::function<void* (const char* name)>& lookUp);
};

} // namespace graphics
