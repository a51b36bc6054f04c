#include "pixcore/ShaderProgram.h"
#include "pixcore/ShaderLog.h"

namespace graphics
{

namespace
{
    UniformType toUniformType (GLenum type)
    {
        switch (type)
        {
            case GL_FLOAT:       return UniformType::float1;
            case GL_FLOAT_VEC2:  return UniformType::vec2;
            case GL_FLOAT_VEC3:  return UniformType::vec3;
            case GL_FLOAT_VEC4:  return UniformType::vec4;
            case GL_INT:         return UniformType::int1;
            case GL_SAMPLER_2D:  return UniformType::sampler2d;
            case GL_SAMPLER_3D:  return UniformType::sampler3d;
            default:             return UniformType::other;
        }
    }

    // Shaders and programs keep their logs alike, through entry points of the same shapes.
    juce::String readLog (GLuint object, PFNGLGETSHADERIVPROC getParameter, PFNGLGETSHADERINFOLOGPROC getLog)
    {
        GLint length = 0;
        getParameter (object, GL_INFO_LOG_LENGTH, &length);
        juce::HeapBlock<char> log ((size_t) juce::jmax (1, length), true);
        getLog (object, juce::jmax (1, length), nullptr, log.get());
        return juce::String::fromUTF8 (log.get());
    }

    /** Compiles one stage; 0 with the mapped compiler log in failure otherwise. */
    GLuint compileStage (const GlFunctions& gl, GLenum stage, const juce::String& glsl,
                         const juce::StringArray& fileNames, juce::String& failure)
    {
        const auto shader = gl.glCreateShader (stage);
        const auto text = glsl.toStdString();
        const char* sources[] = { text.c_str() };
        gl.glShaderSource (shader, 1, sources, nullptr);
        gl.glCompileShader (shader);

        GLint compiled = GL_FALSE;
        gl.glGetShaderiv (shader, GL_COMPILE_STATUS, &compiled);

        if (compiled == GL_TRUE)
            return shader;

        failure = mapShaderLog (readLog (shader, gl.glGetShaderiv, gl.glGetShaderInfoLog), fileNames);
        gl.glDeleteShader (shader);
        return 0;
    }
}

//==============================================================================
std::unique_ptr<ShaderProgram> ShaderProgram::create (std::weak_ptr<const GlFunctions> functions,
                                                      const juce::String& vertexGlsl,
                                                      const ExpandedShaderSource& fragment,
                                                      const juce::String& sourceName,
                                                      juce::Result& outcome)
{
    auto gl = functions.lock();

    if (gl == nullptr)
    {
        outcome = juce::Result::fail ("The shader " + sourceName + " has no graphics context left");
        return {};
    }

    juce::String failure;
    const auto vertex = compileStage (*gl, GL_VERTEX_SHADER, vertexGlsl, { "host vertex shader" }, failure);
    const auto fragmentShader = vertex != 0 ? compileStage (*gl, GL_FRAGMENT_SHADER, fragment.text, fragment.fileNames, failure) : 0;

    if (fragmentShader == 0)
    {
        if (vertex != 0)
            gl->glDeleteShader (vertex);

        outcome = juce::Result::fail ("The shader " + sourceName + " does not compile:\n" + failure);
        return {};
    }

    const auto program = gl->glCreateProgram();
    gl->glAttachShader (program, vertex);
    gl->glAttachShader (program, fragmentShader);
    gl->glLinkProgram (program);
    gl->glDeleteShader (vertex);
    gl->glDeleteShader (fragmentShader);

    GLint linked = GL_FALSE;
    gl->glGetProgramiv (program, GL_LINK_STATUS, &linked);

    if (linked != GL_TRUE)
    {
        outcome = juce::Result::fail ("The shader " + sourceName + " does not link:\n"
                                        + mapShaderLog (readLog (program, gl->glGetProgramiv, gl->glGetProgramInfoLog), fragment.fileNames));
        gl->glDeleteProgram (program);
        return {};
    }

    std::unique_ptr<ShaderProgram> result (new ShaderProgram (functions, program));
    result->readActiveUniforms (*gl);
    outcome = juce::Result::ok();
    return result;
}

ShaderProgram::ShaderProgram (std::weak_ptr<const GlFunctions> functions, GLuint programToOwn)
    : gl (std::move (functions)), program (programToOwn)
{
}

ShaderProgram::~ShaderProgram()
{
    if (auto f = gl.lock())
        f->glDeleteProgram (program);
}

void ShaderProgram::readActiveUniforms (const GlFunctions& f)
{
    GLint count = 0, longestName = 0;
    f.glGetProgramiv (program, GL_ACTIVE_UNIFORMS, &count);
    f.glGetProgramiv (program, GL_ACTIVE_UNIFORM_MAX_LENGTH, &longestName);
    juce::HeapBlock<char> name ((size_t) juce::jmax (1, longestName), true);

    for (GLint i = 0; i < count; ++i)
    {
        GLint size = 0;
        GLenum type = 0;
        f.glGetActiveUniform (program, (GLuint) i, juce::jmax (1, longestName), nullptr, &size, &type, name.get());
        const auto location = f.glGetUniformLocation (program, name.get());

        // Uniforms inside blocks have no location and are not set by name.
        if (location >= 0)
            uniforms.push_back ({ juce::String::fromUTF8 (name.get()), toUniformType (type), location, (int) size });
    }
}

const UniformInfo* ShaderProgram::findUniform (const juce::String& name) const
{
    for (auto& uniform : uniforms)
        if (uniform.name == name)
            return &uniform;

    return nullptr;
}

const UniformInfo* ShaderProgram::findUniformOfType (const juce::String& name, UniformType type) const
{
    auto* uniform = findUniform (name);
    return uniform != nullptr && uniform->type == type ? uniform : nullptr;
}

bool ShaderProgram::setFloat (const juce::String& name, float value)
{
    return writeUniform (name, UniformType::float1, [&] (const GlFunctions& f, GLint location)
    {
        f.glProgramUniform1f (program, location, value);
    });
}

bool ShaderProgram::setVec4 (const juce::String& name, float x, float y, float z, float w)
{
    return writeUniform (name, UniformType::vec4, [&] (const GlFunctions& f, GLint location)
    {
        f.glProgramUniform4f (program, location, x, y, z, w);
    });
}

bool ShaderProgram::setInt (const juce::String& name, int value)
{
    return writeUniform (name, UniformType::int1, [&] (const GlFunctions& f, GLint location)
    {
        f.glProgramUniform1i (program, location, value);
    });
}

bool ShaderProgram::writeUniform (const juce::String& name, UniformType type,
                                  const std::function<void (const GlFunctions&, GLint)>& write)
{
    auto* uniform = findUniformOfType (name, type);
    auto f = gl.lock();

    if (uniform == nullptr || f == nullptr)
        return false;

    write (*f, uniform->location);
    return true;
}

bool ShaderProgram::setSampler3d (const juce::String& name, const Sampler3d& sampler)
{
    auto* uniform = findUniformOfType (name, UniformType::sampler3d);

    if (uniform == nullptr)
        return false;

    volumeBindings[uniform->location] = { sampler.getTexture(), sampler.getSamplingParameters() };
    return true;
}

// Every volume sampler gets a unit of its own, also one without a texture:
// left on unit 0 it would meet the frame's 2D input there, and samplers of
// two types on one unit make the draw fail.
void ShaderProgram::use (int firstUnit) const
{
    auto f = gl.lock();

    if (f == nullptr)
        return;

    f->glUseProgram (program);
    int unit = firstUnit;

    for (auto& uniform : uniforms)
    {
        if (uniform.type != UniformType::sampler3d)
            continue;

        f->glActiveTexture ((GLenum) (GL_TEXTURE0 + unit));
        f->glProgramUniform1i (program, uniform.location, unit);
        const auto binding = volumeBindings.find (uniform.location);

        if (binding != volumeBindings.end() && binding->second.texture != nullptr)
        {
            binding->second.texture->getTexture().bind();
            binding->second.parameters.applyTo (*f, GL_TEXTURE_3D, 1);
        }
        else
        {
            f->glBindTexture (GL_TEXTURE_3D, 0);
        }

        ++unit;
    }

    f->glActiveTexture (GL_TEXTURE0);
}

} // namespace graphics
